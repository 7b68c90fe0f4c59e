#pragma once

#include <QLabel>
#include <QTimer>

// A label that blinks to draw the eye (notes such as "Sua senha será enviada...").
class BlinkingLabel : public QLabel {
    Q_OBJECT
public:
    explicit BlinkingLabel(const QString &text, QWidget *parent = nullptr, int intervalMs = 600);

private:
    QTimer m_timer;
    bool m_on = true;
};
