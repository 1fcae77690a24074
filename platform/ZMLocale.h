#pragma once
// The user's decimal separator, read from the default QLocale at each call.

char decimalSeparator();
