#include "DeviceSecurity.h"

#include <stddef.h>

namespace norvalex::standin {
namespace {

// A SID of up to two sub-authorities, laid out as the system's SID. The two
// well-known ones need no call, and no data import, to be made.
struct TwoPartSid {
    UCHAR Revision;
    UCHAR SubAuthorityCount;
    SID_IDENTIFIER_AUTHORITY IdentifierAuthority;
    ULONG SubAuthority[2];
};
static_assert(offsetof(TwoPartSid, SubAuthority) == offsetof(SID, SubAuthority));

const TwoPartSid LocalSystem{SID_REVISION, 1, SECURITY_NT_AUTHORITY, {SECURITY_LOCAL_SYSTEM_RID}};
const TwoPartSid Administrators{
    SID_REVISION, 2, SECURITY_NT_AUTHORITY, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS}};

// The ACL header and two allowed ACEs, each at most its header, mask and a
// two-part SID.
constexpr ULONG AclBytes = sizeof(ACL) + 2 * (sizeof(ACCESS_ALLOWED_ACE) + sizeof(TwoPartSid));

NTSTATUS Allow(ACL* acl, const TwoPartSid& sid) {
    // A device's rights are a file's. The ACE gets a copy of the SID; the
    // system never writes through it.
    return RtlAddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS,
                                  const_cast<TwoPartSid*>(&sid));
}

} // namespace

// mingw-w64 has no library for IoCreateDeviceSecure, so the DACL is set on
// the device object after it is made, through a kernel handle to it.
NTSTATUS AdmitOnlyAdministrators(DEVICE_OBJECT* device) {
    ULONG aclSpace[(AclBytes + sizeof(ULONG) - 1) / sizeof(ULONG)];
    ACL* acl = reinterpret_cast<ACL*>(aclSpace);
    SECURITY_DESCRIPTOR descriptor;
    NTSTATUS status = RtlCreateAcl(acl, sizeof(aclSpace), ACL_REVISION);
    if (NT_SUCCESS(status))
        status = Allow(acl, LocalSystem);
    if (NT_SUCCESS(status))
        status = Allow(acl, Administrators);
    if (NT_SUCCESS(status))
        status = RtlCreateSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    if (NT_SUCCESS(status))
        status = RtlSetDaclSecurityDescriptor(&descriptor, TRUE, acl, FALSE);
    HANDLE handle = nullptr;
    if (NT_SUCCESS(status))
        status = ObOpenObjectByPointer(device, OBJ_KERNEL_HANDLE, nullptr, WRITE_DAC, nullptr,
                                       KernelMode, &handle);
    if (NT_SUCCESS(status)) {
        status = ZwSetSecurityObject(handle, DACL_SECURITY_INFORMATION, &descriptor);
        ZwClose(handle);
    }
    return status;
}

} // namespace norvalex::standin
