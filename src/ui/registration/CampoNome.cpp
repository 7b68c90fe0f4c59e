#include "ui/registration/CampoNome.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>

CampoNome::CampoNome(QWidget *parent) : QComboBox(parent)
{
}

void CampoNome::Esquecer(Leitor leitor)
{
    m_leitor = std::move(leitor);
    m_carregada = false;
    clear();
    setEditText(QString());
}

void CampoNome::CarregarLista()
{
    if (m_carregada || !m_leitor)
        return;
    QStringList nomes;
    // a hundred thousand persons take a moment to read
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DbResult lidos = m_leitor(nomes);
    QApplication::restoreOverrideCursor();
    if (!lidos)
        return;
    m_carregada = true;
    if (nomes.isEmpty())
        return;
    // filling an empty combo selects its first item: what was typed, and
    // where the cursor stood, come back as they were
    const QString texto = currentText();
    const int cursor = lineEdit() ? lineEdit()->cursorPosition() : 0;
    {
        const QSignalBlocker quieto(this);
        addItems(nomes);
        setCurrentIndex(-1);
    }
    setEditText(texto);
    if (lineEdit())
        lineEdit()->setCursorPosition(cursor);
}

void CampoNome::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4: CarregarLista(); break;
    default: break;
    }
    QComboBox::keyPressEvent(event);
}

void CampoNome::wheelEvent(QWheelEvent *event)
{
    CarregarLista();
    QComboBox::wheelEvent(event);
}

void CampoNome::showPopup()
{
    CarregarLista();
    QComboBox::showPopup();
}
