// What assistive technology (a screen reader) reads for the controls, in the interface's
// language: a name where the control has no caption of its own, and a description of what it
// does.
#pragma once

#include <QWidget>
#include <initializer_list>
#include <optional>

#include "QtText.h"

namespace kiova {

struct TAccessibleText {
    const char* control;          // the control's object name
    std::optional<TUiText> name;  // nothing: the control's caption is its name
    TUiText description;
};

inline void Describe(QWidget& widget, std::optional<TUiText> name, TUiText description) {
    if (name) widget.setAccessibleName(ToQString(*name));
    widget.setAccessibleDescription(ToQString(description));
}

// Describes the named controls of `window`; a name it lacks is skipped.
inline void DescribeControls(QWidget& window, std::initializer_list<TAccessibleText> texts) {
    for (const TAccessibleText& text : texts)
        if (auto* control = window.findChild<QWidget*>(QString::fromLatin1(text.control)))
            Describe(*control, text.name, text.description);
}

}  // namespace kiova
