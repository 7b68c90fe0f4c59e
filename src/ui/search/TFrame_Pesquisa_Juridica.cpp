#include "ui/search/TFrame_Pesquisa_Juridica.h"

#include "data/TDM.h"
#include "util/TextUtils.h"

TFrame_Pesquisa_Juridica::TFrame_Pesquisa_Juridica(QWidget *parent)
    : FramePesquisa({QStringLiteral("ID"), QStringLiteral("Nome"), QStringLiteral("Fone"),
                     QStringLiteral("Fone Fax"), QStringLiteral("Inserido Por")},
                    parent)
{
    montar(nullptr);
}

QString TFrame_Pesquisa_Juridica::comando(PesquisaNome::Por criterio) const
{
    return PesquisaNome::ComandoJuridicas(criterio);
}

DbResult TFrame_Pesquisa_Juridica::buscar(const PesquisaNome &pesquisa)
{
    return pesquisa.Juridicas(BancoDados(), m_pessoas);
}

QString TFrame_Pesquisa_Juridica::texto(int linha, int coluna) const
{
    const PessoaEncontrada &p = m_pessoas.at(linha);
    switch (coluna) {
    case 1: return p.Nome;
    case 2: return FormatPhone(p.Fone);
    case 3: return FormatPhone(p.FoneFax);
    case 4: return p.Login;
    default: return {};
    }
}
