#pragma once
// The product's web addresses: the home page, the download page and the tutorial page. There is no
// public site yet, so each names the index page of the program's own help (a path inside the
// program folder); an address with a scheme ("https://...") is used as it is.

#include <QString>
#include <QUrl>

inline constexpr const char* kHomePageAddress = "ZMHelp.chm/about.htm";
inline constexpr const char* kDownloadPageAddress = "ZMHelp.chm/about.htm";
inline constexpr const char* kTutorialPageAddress = "ZMHelp.chm/about.htm";

// The URL that the shell's "open" receives for an address.
QUrl WebAddressUrl(const char* address);

// Hands the address to the shell's "open" (the default web browser); nothing is reported when
// that fails.
void OpenWebAddress(const char* address);
