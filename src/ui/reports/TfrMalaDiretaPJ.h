#pragma once

#include "ui/reports/TfrMalaDireta.h"

// "Mala Direta Pessoa Jurídica": letters to all companies or one group.
class TfrMalaDiretaPJ : public TfrMalaDireta {
    Q_OBJECT

public:
    explicit TfrMalaDiretaPJ(const QString &login, QWidget *parent = nullptr);

protected:
    MalaDireta::Escolha EscolhaAtual() const override;
};
