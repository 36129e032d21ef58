// OpenWebPage: ShellExecuteA "open" on the address, unless a test replaced the opener.
#include "WebPage.h"

#include <windows.h>
#include <shellapi.h>

namespace
{
void OpenInBrowser(const char* address)
{
    // The result is not examined: a machine without a browser just shows nothing.
    ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

WebPageOpener s_opener = OpenInBrowser;
} // namespace

void OpenWebPage(const char* address)
{
    s_opener(address);
}

WebPageOpener SetWebPageOpener(WebPageOpener opener)
{
    WebPageOpener previous = s_opener;
    s_opener = opener ? opener : OpenInBrowser;
    return previous;
}
