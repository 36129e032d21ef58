// Opening a web page in the default browser, through a replaceable opener so that tests can see
// the address instead of starting a browser.
#pragma once

using WebPageOpener = void (*)(const char* address);

void OpenWebPage(const char* address);
// Replaces the opener (null: the default browser again); returns the one before.
WebPageOpener SetWebPageOpener(WebPageOpener opener);
