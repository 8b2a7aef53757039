#pragma once

#include <QString>

namespace qm530::ui {

// The text to give a window whose caption comes from Program.ini. Qt shows
// the program's file name instead of an empty title, so an empty caption
// becomes one zero-width space: the caption bar then shows nothing.
inline QString WindowCaption(const QString& caption) {
    return caption.isEmpty() ? QString(QChar(0x200B)) : caption;
}

}  // namespace qm530::ui
