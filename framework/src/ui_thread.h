// Windows, controls and menus belong to the toolkit's one user-interface thread.
#pragma once

#include <framework/runtime.h>

#include <QCoreApplication>
#include <QThread>

#include <string>

namespace fw {

// Raises RuntimeException when called on any other thread than the toolkit's.
inline void requireUiThread(const char* what)
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread())
        throw RuntimeException(std::string(what) + " runs on the user-interface thread only");
}

} // namespace fw
