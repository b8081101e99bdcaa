#pragma once
// The widget style of the game's windows: the platform's own, except that the few standard
// icons a window's menu bar asks for when it is built are drawn here rather than decoded from
// Qt's image files, which would load every picture decoder (SVG and JPEG among them) before the
// first frame.
#include <QProxyStyle>

class GameStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
