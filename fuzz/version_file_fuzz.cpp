// Fuzzes the version-file reader: the Open Software Description binding and the version check.
#include <QByteArray>

#include "fuzz_support.h"
#include "net/osd.h"

using hx::fuzz::Check;
using namespace hx::net::osd;

namespace {
// Visits the package as the bindings expose it, nested packages included.
void Walk(const TXMLSOFTPKGType& pkg, int depth) {
    if (pkg.IsNull() || depth > 80) return;
    (void)pkg.NAME();
    (void)pkg.LICENSE();
    for (int i = 0; i < pkg.ABSTRACT().Count(); ++i) (void)pkg.ABSTRACT()[i];
    const auto impls = pkg.IMPLEMENTATION();
    for (int i = 0; i < impls.Count() && i < 4; ++i) {
        const TXMLIMPLEMENTATIONType impl = impls[i];
        (void)impl.CODEBASE()[0].HREF();
        for (int o = 0; o < impl.OS().Count() && o < 4; ++o)
            (void)impl.OS()[o].OSVERSION()[0].VALUE();
        const auto deps = impl.DEPENDENCY();
        for (int d = 0; d < deps.Count() && d < 4; ++d) Walk(deps[d].SOFTPKG(), depth + 1);
    }
    const auto deps = pkg.DEPENDENCY();
    for (int d = 0; d < deps.Count() && d < 4; ++d) {
        (void)deps[d].CODEBASE().SIZE();
        Walk(deps[d].SOFTPKG(), depth + 1);
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Document doc = ParseSOFTPKG(bytes);
    Check(!doc.SOFTPKG().IsNull() || !doc.error().isEmpty());
    Walk(doc.SOFTPKG(), 0);
    const VersionVerdict v = CheckVersionFile(bytes);
    Check(v.showDialog || v.linkCaption.isEmpty());
    if (v.showDialog) Check(doc.SOFTPKG().VERSION() != QLatin1String(kOwnVersion));
    return 0;
}
