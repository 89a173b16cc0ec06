#include "DriverRecords.h"

#include "UniqueHandle.h"

#include <windows.h>

#include <string>

namespace kit_test {

using norvalex::standin::RecordCapacity;

std::vector<RequestRecord> ReadRequestRecords() {
    const std::string path = std::string("\\\\.\\") + norvalex::standin::RecordsDeviceName;
    norvalex::UniqueFile records(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, 0, nullptr));
    std::vector<RequestRecord> latest(RecordCapacity);
    DWORD returned = 0;
    if (!records ||
        !DeviceIoControl(records.get(), norvalex::standin::ReadRecordsCode, nullptr, 0,
                         latest.data(), static_cast<DWORD>(latest.size() * sizeof(RequestRecord)),
                         &returned, nullptr))
        return {};
    latest.resize(returned / sizeof(RequestRecord));
    return latest;
}

uint32_t RecordMark() {
    std::vector<RequestRecord> latest = ReadRequestRecords();
    return latest.empty() ? 0 : latest.back().sequence;
}

std::vector<RequestRecord> RecordsSince(uint32_t mark, int32_t device) {
    std::vector<RequestRecord> found;
    for (const RequestRecord& record : ReadRequestRecords())
        if (record.sequence > mark && record.device == device)
            found.push_back(record);
    return found;
}

} // namespace kit_test
