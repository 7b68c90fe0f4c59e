#include "ui/finance/TfrEscolhaAsDatas.h"

#include "services/Seams.h"
#include "util/DateTime.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrEscolhaAsDatas::TfrEscolhaAsDatas(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frEscolhaAsDatas"));
    setWindowTitle(QStringLiteral("Escolha as Datas"));
    setModal(true);

    auto novaData = [this](const char *nome) {
        auto *d = new QDateEdit(this);
        d->setObjectName(QString::fromLatin1(nome));
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        return d;
    };
    data_in = novaData("data_in");
    data_out = novaData("data_out");
    const QDate hoje = Seams::clock().now().date();
    data_in->setDate(hoje.addDays(-10));
    data_out->setDate(hoje);

    auto *lblDe = new QLabel(QStringLiteral("De"), this);
    lblDe->setBuddy(data_in);
    auto *lblA = new QLabel(QStringLiteral("a"), this);
    lblA->setBuddy(data_out);

    edtPessoas = new QCheckBox(QStringLiteral("Mostrar todas as pessoas?"), this);
    edtPessoas->setObjectName(QStringLiteral("edtPessoas"));
    edtPessoas->setVisible(false);

    SpeedButton1 = new QPushButton(QStringLiteral("Ok"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setDefault(true);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrEscolhaAsDatas::SpeedButton1Click);

    auto *datas = new QHBoxLayout;
    datas->addWidget(lblDe);
    datas->addWidget(data_in);
    datas->addWidget(lblA);
    datas->addWidget(data_out);
    datas->addWidget(SpeedButton1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(datas);
    layout->addWidget(edtPessoas);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

double TfrEscolhaAsDatas::DataInicial() const
{
    return QDateToDateTime(data_in->date());
}

double TfrEscolhaAsDatas::DataFinal() const
{
    return QDateToDateTime(data_out->date());
}

void TfrEscolhaAsDatas::DefinirDatas(double inicial, double final)
{
    data_in->setDate(DateTimeToQDate(inicial));
    data_out->setDate(DateTimeToQDate(final));
}

bool TfrEscolhaAsDatas::TodasAsPessoas() const
{
    return edtPessoas->isChecked();
}

void TfrEscolhaAsDatas::MostrarTodasAsPessoas(bool mostrar)
{
    edtPessoas->setVisible(mostrar);
}

void TfrEscolhaAsDatas::SpeedButton1Click()
{
    accept();
}
