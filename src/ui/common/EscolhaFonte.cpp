#include "ui/common/EscolhaFonte.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

EscolhaFonte::EscolhaFonte(const QString &titulo, const FonteEscolhida &inicial, QWidget *parent)
    : QDialog(parent), m_corEscolhida(inicial.cor.isValid() ? inicial.cor : QColor(Qt::black))
{
    setWindowTitle(titulo.isEmpty() ? QStringLiteral("Fonte") : titulo);
    m_familia = new QFontComboBox(this);
    m_familia->setCurrentFont(inicial.fonte);
    m_tamanho = new QSpinBox(this);
    m_tamanho->setRange(6, 72);
    m_tamanho->setSuffix(QStringLiteral(" pt"));
    m_tamanho->setValue(inicial.fonte.pointSize() > 0 ? inicial.fonte.pointSize() : 10);
    m_negrito = new QCheckBox(QStringLiteral("Negrito"), this);
    m_negrito->setChecked(inicial.fonte.bold());
    m_italico = new QCheckBox(QStringLiteral("Itálico"), this);
    m_italico->setChecked(inicial.fonte.italic());
    m_sublinhado = new QCheckBox(QStringLiteral("Sublinhado"), this);
    m_sublinhado->setChecked(inicial.fonte.underline());
    m_cor = new QPushButton(QStringLiteral("Cor..."), this);
    m_cor->setAutoDefault(false);
    m_exemplo = new QLabel(QStringLiteral("AaBbÇçÃã 0123456789"), this);
    m_exemplo->setMinimumHeight(60);
    m_exemplo->setFrameShape(QFrame::StyledPanel);

    auto *estilo = new QHBoxLayout;
    estilo->addWidget(m_negrito);
    estilo->addWidget(m_italico);
    estilo->addWidget(m_sublinhado);
    estilo->addStretch(1);
    estilo->addWidget(m_cor);
    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("Fonte"), m_familia);
    campos->addRow(QStringLiteral("Tamanho"), m_tamanho);
    auto *botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(estilo);
    layout->addWidget(m_exemplo);
    layout->addWidget(botoes);

    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_familia, &QFontComboBox::currentFontChanged, this, &EscolhaFonte::atualizar);
    connect(m_tamanho, &QSpinBox::valueChanged, this, &EscolhaFonte::atualizar);
    for (QCheckBox *c : {m_negrito, m_italico, m_sublinhado})
        connect(c, &QCheckBox::toggled, this, &EscolhaFonte::atualizar);
    connect(m_cor, &QPushButton::clicked, this, &EscolhaFonte::escolherCor);
    atualizar();
}

FonteEscolhida EscolhaFonte::escolhida() const
{
    QFont f = m_familia->currentFont();
    f.setPointSize(m_tamanho->value());
    f.setBold(m_negrito->isChecked());
    f.setItalic(m_italico->isChecked());
    f.setUnderline(m_sublinhado->isChecked());
    return {f, m_corEscolhida};
}

void EscolhaFonte::atualizar()
{
    m_exemplo->setFont(escolhida().fonte);
    QPalette p = m_exemplo->palette();
    p.setColor(QPalette::WindowText, m_corEscolhida);
    m_exemplo->setPalette(p);
}

void EscolhaFonte::escolherCor()
{
    const QColor c = QColorDialog::getColor(m_corEscolhida, this, QStringLiteral("Cor"));
    if (c.isValid()) {
        m_corEscolhida = c;
        atualizar();
    }
}
