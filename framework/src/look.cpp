// The program's own look: the Fusion style, its light palette and the system font, so that every
// desktop shows the windows as they were laid out.
#include "look.h"

#include "qt_convert.h"

#include <framework/fonts.h>

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <iostream>

namespace fw::look {

namespace {

// The style's own light palette with every role of every group set, so that no colour of a
// desktop's palette shows through anywhere.
QPalette lightPalette(const QStyle& style)
{
    QPalette palette = style.standardPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole)
                continue;
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palette;
}

} // namespace

void ignoreDesktopSettings()
{
    // Without this a platform theme (qt6ct, a desktop's own) sets its fonts and colours, some of
    // them only once the event loop runs.
    QGuiApplication::setDesktopSettingsAware(false);
}

void applyLook()
{
    // Built into the toolkit, so present everywhere; QT_STYLE_OVERRIDE and the desktop's choice
    // of style are overruled here.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    QApplication::setPalette(lightPalette(*QApplication::style()));
    // Menus and windows are sized in the system font from the start; whether its family is really
    // there is known only once the program has registered its own fonts (systemFont).
    QFont font(toQString(kSystemFontFamily));
    font.setPixelSize(kSystemFontPixels);
    QApplication::setFont(font);
    // Where the system has no Arial for the diagram (the offscreen platform on Windows knows only
    // its font folder), the program's own family, with Arial's metrics, stands in for it, as
    // fontconfig has it do on Linux.
    QFont::insertSubstitution(QStringLiteral("Arial"), toQString(kSystemFontFamily));
}

const QFont& systemFont()
{
    static const QFont* font = [] {
        const FontResolution resolved = ResolveFontFamily(kSystemFontFamily);
        if (!resolved.warning.empty())
            std::cerr << resolved.warning << std::endl;
        auto* chosen = new QFont(toQString(resolved.family)); // kept for the whole run
        chosen->setPixelSize(kSystemFontPixels);
        chosen->setStyleHint(QFont::SansSerif);
        QApplication::setFont(*chosen);
        return chosen;
    }();
    return *font;
}

} // namespace fw::look
