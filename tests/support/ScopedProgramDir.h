#pragma once
// Points the program folder at `dir` for the lifetime of the object.

#include "platform/ZMApplication.h"

#include <QString>

class ScopedProgramDir {
public:
    explicit ScopedProgramDir(const QString& dir) {
        if (ZMApplication* app = ZMApplication::instance()) {
            previous_ = app->programDirOverride();
            app->setProgramDirOverride(dir);
        }
    }
    ~ScopedProgramDir() {
        if (ZMApplication* app = ZMApplication::instance()) app->setProgramDirOverride(previous_);
    }
    ScopedProgramDir(const ScopedProgramDir&) = delete;
    ScopedProgramDir& operator=(const ScopedProgramDir&) = delete;

private:
    QString previous_;
};
