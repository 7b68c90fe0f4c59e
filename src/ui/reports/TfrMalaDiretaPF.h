#pragma once

#include "ui/reports/TfrMalaDireta.h"

class QTabWidget;

// "Mala Direta Pessoa Física": letters to all individuals, one group, or
// those born in a month.
class TfrMalaDiretaPF : public TfrMalaDireta {
    Q_OBJECT

public:
    explicit TfrMalaDiretaPF(const QString &login, QWidget *parent = nullptr);

protected:
    MalaDireta::Escolha EscolhaAtual() const override;

private:
    QTabWidget *PageControl1 = nullptr;
    QComboBox *txtMes = nullptr;
};
