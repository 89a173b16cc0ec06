#include "DeviceAccess.h"

#include "DevicePath.h"

#include <cstring>

namespace kit_test {

Opened OpenDevice(int32_t number) {
    Opened opened;
    opened.file.reset(CreateFileA(norvalex::DevicePathFor(number).c_str(),
                                  GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!opened.file)
        opened.error = GetLastError();
    return opened;
}

namespace {

Transfer Finish(BOOL ok, DWORD count, std::vector<uint8_t>& buffer) {
    Transfer transfer;
    transfer.ok = ok != FALSE;
    transfer.error = ok ? 0 : GetLastError();
    transfer.count = count;
    buffer.resize(count < buffer.size() ? count : buffer.size());
    transfer.data = std::move(buffer);
    return transfer;
}

} // namespace

Transfer ReadDevice(HANDLE device, DWORD count) {
    std::vector<uint8_t> buffer(count);
    DWORD got = 0;
    BOOL ok = ReadFile(device, buffer.data(), count, &got, nullptr);
    return Finish(ok, got, buffer);
}

Transfer WriteDevice(HANDLE device, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> none;
    DWORD written = 0;
    BOOL ok = WriteFile(device, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    return Finish(ok, written, none);
}

Transfer Control(HANDLE device, DWORD code, DWORD inputSize, DWORD outputSize) {
    std::vector<uint8_t> input(inputSize);
    // Filled so that an answer the driver did not write cannot pass as one.
    std::vector<uint8_t> output(outputSize, 0xCC);
    DWORD returned = 0;
    BOOL ok = DeviceIoControl(device, code, inputSize ? input.data() : nullptr, inputSize,
                              outputSize ? output.data() : nullptr, outputSize, &returned, nullptr);
    return Finish(ok, returned, output);
}

uint32_t AnswerOf(const Transfer& transfer) {
    uint32_t answer = 0;
    std::memcpy(&answer, transfer.data.data(),
                transfer.data.size() < sizeof(answer) ? transfer.data.size() : sizeof(answer));
    return answer;
}

} // namespace kit_test
