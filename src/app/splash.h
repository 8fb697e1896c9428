#pragma once
#include <QWidget>

// The borderless start-up picture, 498 × 356, centred on the desktop.
class KxrSplash : public QWidget {
public:
    KxrSplash();
protected:
    void paintEvent(QPaintEvent*) override;
};
