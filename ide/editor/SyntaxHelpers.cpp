#include "SyntaxHelpers.h"

#include <shlwapi.h>

#include "Texts.h"

namespace kforge {

namespace {

constexpr DWORD kArgumentBuffer = 255;
constexpr int kMaskedColor24 = ILC_COLOR24 | ILC_MASK;

}  // namespace

bool FileExists(const std::string& path) { return PathFileExistsA(path.c_str()) != FALSE; }

std::string GetArguments(const std::string& name, const std::string& file)
{
    std::string buffer(kArgumentBuffer, '\0');
    GetPrivateProfileStringA("ArgumentsList", name.c_str(), "", buffer.data(), kArgumentBuffer, file.c_str());
    return StripNull(buffer);
}

HIMAGELIST CreateImageList(int flags, int initial, int growth)
{
    InitCommonControls();
    return ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                            flags == -1 ? kMaskedColor24 : static_cast<UINT>(flags), initial, growth);
}

int AddImageIcon(HIMAGELIST list, HICON icon) { return ImageList_ReplaceIcon(list, -1, icon); }

void DestroyImageList(HIMAGELIST list)
{
    if (list) { ImageList_Destroy(list); }
}

}  // namespace kforge
