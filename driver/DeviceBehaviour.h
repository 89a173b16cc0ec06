// How each device of the stand-in answers, as plain data: no kernel header,
// so the decisions read the same wherever they are used.
#pragma once

#include "NorvalexContract.h"
#include "StandInDevices.h"

#include <stdint.h>

namespace norvalex::standin {

// The device without a number ("\\.\NorvalexDevice").
inline constexpr int32_t UnnumberedDevice = -1;

struct DeviceBehaviour {
    uint32_t readLimit; // most bytes one read delivers
    uint32_t func800Answer;
    bool failing; // reads and control requests end with a device error
};

constexpr DeviceBehaviour BehaviourOf(int32_t number) {
    DeviceBehaviour behaviour{UINT32_MAX, Func800Answer, false};
    if (number == ShortReadDevice)
        behaviour.readLimit = ShortReadCount;
    if (number == AllOnesDevice)
        behaviour.func800Answer = AllOnesAnswer;
    if (number == FailingDevice)
        behaviour.failing = true;
    return behaviour;
}

constexpr uint32_t DeliveredCount(const DeviceBehaviour& behaviour, uint32_t requested) {
    return requested < behaviour.readLimit ? requested : behaviour.readLimit;
}

// Bytes `first` to `first + count` of a read's pattern, into `buffer`: a
// read filled piece by piece holds the same bytes as one filled at once.
inline void FillPattern(uint8_t* buffer, uint32_t first, uint32_t count) {
    for (uint32_t k = 0; k < count; ++k)
        buffer[k] = PatternByte(first + k);
}

enum class ControlOutcome { Answer, DeviceError, UnknownCode, OutputTooSmall };

constexpr ControlOutcome DecideControl(const DeviceBehaviour& behaviour, uint32_t code,
                                       uint32_t outputLength) {
    if (behaviour.failing)
        return ControlOutcome::DeviceError;
    if (code != NORVALEX_IOCTL_800)
        return ControlOutcome::UnknownCode;
    if (outputLength < Func800AnswerSize)
        return ControlOutcome::OutputTooSmall;
    return ControlOutcome::Answer;
}

} // namespace norvalex::standin
