#pragma once

#include "services/InputService.h"

#include <QDialog>

class QCheckBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The font chooser: family, size, bold, italic, underline and colour, with
// a sample of the text as it will print.
class EscolhaFonte : public QDialog {
    Q_OBJECT
public:
    EscolhaFonte(const QString &titulo, const FonteEscolhida &inicial, QWidget *parent = nullptr);
    FonteEscolhida escolhida() const;

private:
    void atualizar();
    void escolherCor();

    QFontComboBox *m_familia = nullptr;
    QSpinBox *m_tamanho = nullptr;
    QCheckBox *m_negrito = nullptr;
    QCheckBox *m_italico = nullptr;
    QCheckBox *m_sublinhado = nullptr;
    QPushButton *m_cor = nullptr;
    QLabel *m_exemplo = nullptr;
    QColor m_corEscolhida;
};
