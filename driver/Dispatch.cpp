#include "Dispatch.h"

#include "Devices.h"
#include "Mapping.h"
#include "Records.h"

namespace norvalex::standin {
namespace {

NTSTATUS Complete(IRP* irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

// Writes a read's `count` bytes into the caller's buffer as the I/O manager
// described it. A read with neither an MDL nor a system buffer is refused:
// its user address was never checked.
NTSTATUS Deliver(DEVICE_OBJECT* device, IRP* irp, ULONG count) {
    if (irp->MdlAddress)
        return FillThroughWindows(irp->MdlAddress, count);
    void* system = irp->AssociatedIrp.SystemBuffer;
    if ((device->Flags & DO_BUFFERED_IO) && system) {
        FillPattern(static_cast<uint8_t*>(system), 0, count);
        return STATUS_SUCCESS;
    }
    return STATUS_INVALID_PARAMETER;
}

NTSTATUS StatusOf(ControlOutcome outcome) {
    switch (outcome) {
    case ControlOutcome::Answer:
        return STATUS_SUCCESS;
    case ControlOutcome::DeviceError:
        return STATUS_IO_DEVICE_ERROR;
    case ControlOutcome::OutputTooSmall:
        return STATUS_BUFFER_TOO_SMALL;
    case ControlOutcome::UnknownCode:
        break;
    }
    return STATUS_INVALID_DEVICE_REQUEST;
}

// The open that holds the device marks its file object with the device's
// state. Wine hands out a handle even when the create is refused, so every
// request checks the mark too: a handle that does not hold the device is
// refused as its open was.
bool HoldsDevice(DeviceState* state, IRP* irp) {
    FILE_OBJECT* file = IoGetCurrentIrpStackLocation(irp)->FileObject;
    return file && file->FsContext == state;
}

RequestRecord NewRecord(const DeviceState* state, RequestKind kind) {
    RequestRecord record{};
    record.device = state->number;
    record.kind = static_cast<uint32_t>(kind);
    return record;
}

void RecordCreate(const DeviceState* state, const IO_STACK_LOCATION* stack) {
    const auto& create = stack->Parameters.Create;
    RequestRecord record = NewRecord(state, RequestKind::Create);
    record.shareAccess = create.ShareAccess;
    record.desiredAccess = NotPassed;
    record.fileAttributes = NotPassed;
    if (create.SecurityContext) {
        record.desiredAccess = create.SecurityContext->DesiredAccess;
        record.fileAttributes = create.FileAttributes;
    }
    Record(record);
}

void RecordControl(const DeviceState* state, const IO_STACK_LOCATION* stack) {
    const auto& control = stack->Parameters.DeviceIoControl;
    RequestRecord record = NewRecord(state, RequestKind::Control);
    record.controlCode = control.IoControlCode;
    record.inputLength = control.InputBufferLength;
    record.outputLength = control.OutputBufferLength;
    Record(record);
}

// The system does not keep a second open out, so the device does; only the
// close of the holding open frees it. The devices have no names below them:
// an open of "\\.\NorvalexDevice0\x" is refused, not taken for device 0.
NTSTATUS StandInCreate(DEVICE_OBJECT* device, IRP* irp) {
    DeviceState* state = StateOf(device);
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    FILE_OBJECT* file = stack->FileObject;
    RecordCreate(state, stack);
    if (file && file->FileName.Length != 0)
        return Complete(irp, STATUS_OBJECT_NAME_NOT_FOUND, 0);
    if (!file || InterlockedCompareExchange(&state->held, 1, 0) != 0)
        return Complete(irp, STATUS_ACCESS_DENIED, 0);
    file->FsContext = state;
    return Complete(irp, STATUS_SUCCESS, 0);
}

NTSTATUS StandInRead(DEVICE_OBJECT* device, IRP* irp) {
    DeviceState* state = StateOf(device);
    if (!HoldsDevice(state, irp))
        return Complete(irp, STATUS_ACCESS_DENIED, 0);
    const DeviceBehaviour& behaviour = state->behaviour;
    if (behaviour.failing)
        return Complete(irp, STATUS_IO_DEVICE_ERROR, 0);

    ULONG requested = IoGetCurrentIrpStackLocation(irp)->Parameters.Read.Length;
    ULONG count = DeliveredCount(behaviour, requested);
    if (count == 0)
        return Complete(irp, STATUS_SUCCESS, 0);
    const NTSTATUS status = Deliver(device, irp, count);
    return Complete(irp, status, NT_SUCCESS(status) ? count : 0);
}

NTSTATUS StandInControl(DEVICE_OBJECT* device, IRP* irp) {
    DeviceState* state = StateOf(device);
    RecordControl(state, IoGetCurrentIrpStackLocation(irp));
    if (!HoldsDevice(state, irp))
        return Complete(irp, STATUS_ACCESS_DENIED, 0);
    const DeviceBehaviour& behaviour = state->behaviour;
    const auto& control = IoGetCurrentIrpStackLocation(irp)->Parameters.DeviceIoControl;
    ControlOutcome outcome =
        DecideControl(behaviour, control.IoControlCode, control.OutputBufferLength);
    if (outcome != ControlOutcome::Answer)
        return Complete(irp, StatusOf(outcome), 0);

    uint32_t answer = behaviour.func800Answer;
    RtlCopyMemory(irp->AssociatedIrp.SystemBuffer, &answer, sizeof(answer));
    return Complete(irp, STATUS_SUCCESS, sizeof(answer));
}

// The records device holds nothing and records nothing of its own requests.
NTSTATUS RecordsCreate(DEVICE_OBJECT*, IRP* irp) {
    return Complete(irp, STATUS_SUCCESS, 0);
}

NTSTATUS RecordsRead(DEVICE_OBJECT*, IRP* irp) {
    return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
}

NTSTATUS RecordsControl(DEVICE_OBJECT*, IRP* irp) {
    const auto& control = IoGetCurrentIrpStackLocation(irp)->Parameters.DeviceIoControl;
    if (control.IoControlCode != ReadRecordsCode)
        return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    const uint32_t room = control.OutputBufferLength / sizeof(RequestRecord);
    const uint32_t count =
        CopyRecords(static_cast<RequestRecord*>(irp->AssociatedIrp.SystemBuffer), room);
    return Complete(irp, STATUS_SUCCESS, count * sizeof(RequestRecord));
}

// The stand-in devices stay open to every user, as the tester runs as the
// user; the records hand out other programs' requests.
constexpr KindHandling StandInHandling{true, false, StandInCreate, StandInRead, StandInControl};
constexpr KindHandling RecordsHandling{false, true, RecordsCreate, RecordsRead, RecordsControl};

} // namespace

const KindHandling& HandlingOf(DeviceKind kind) {
    return kind == DeviceKind::Records ? RecordsHandling : StandInHandling;
}

NTSTATUS NTAPI DispatchCreate(DEVICE_OBJECT* device, IRP* irp) {
    return HandlingOf(StateOf(device)->kind).create(device, irp);
}

NTSTATUS NTAPI DispatchCleanup(DEVICE_OBJECT*, IRP* irp) {
    return Complete(irp, STATUS_SUCCESS, 0);
}

// Only a holding open has anything to give back; any other close just ends.
NTSTATUS NTAPI DispatchClose(DEVICE_OBJECT* device, IRP* irp) {
    DeviceState* state = StateOf(device);
    if (HoldsDevice(state, irp)) {
        IoGetCurrentIrpStackLocation(irp)->FileObject->FsContext = nullptr;
        InterlockedExchange(&state->held, 0);
    }
    return Complete(irp, STATUS_SUCCESS, 0);
}

NTSTATUS NTAPI DispatchRead(DEVICE_OBJECT* device, IRP* irp) {
    return HandlingOf(StateOf(device)->kind).read(device, irp);
}

NTSTATUS NTAPI DispatchDeviceControl(DEVICE_OBJECT* device, IRP* irp) {
    return HandlingOf(StateOf(device)->kind).control(device, irp);
}

} // namespace norvalex::standin
