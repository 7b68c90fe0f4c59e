#include "ui/common/BlinkingLabel.h"

BlinkingLabel::BlinkingLabel(const QString &text, QWidget *parent, int intervalMs) : QLabel(text, parent)
{
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_on = !m_on;
        // keep the space taken: only the colour blinks
        setStyleSheet(m_on ? QStringLiteral("color: #C00000;") : QStringLiteral("color: transparent;"));
    });
    setStyleSheet(QStringLiteral("color: #C00000;"));
    m_timer.start(intervalMs);
}
