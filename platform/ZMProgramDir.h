#pragma once
// The program folder: the folder of the executable, never the working folder. It holds the INI
// files, the default plane files, the temporary document and the help pages. Tests point it at a
// temporary folder through ZMApplication::setProgramDirOverride (tests/support/ScopedProgramDir.h).

#include <QString>

// The folder, without a trailing separator.
QString programDir();
// The folder with a trailing "/" (the main window's ProgramDir).
QString programDirWithSeparator();
// A file of the program folder: programDir() + "/" + name.
QString programFile(const QString& name);
