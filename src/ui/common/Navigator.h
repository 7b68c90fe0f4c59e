#pragma once

#include "util/Money.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QWidget;
class TFinancas;
class TPessoaFisica;

// What a screen is opened with. Each screen's entry point in Telas.h fills
// only the fields that screen reads.
struct Abertura {
    qint32 identificador = 0;        // the person, company or history entry shown
    int tipoPessoa = 0;              // 0 an individual, 1 a company
    QString nome{};                  // the company whose contacts are shown
    QString titulo{};                // a caption in place of the screen's own
    QString dados{};                 // the quick-access window's summary line
    QString login{};                 // the diary's or the account's owner
    int modo = 0;                    // the screen's own mode (TfrNovoUsuario::Modo)
    bool oculto = false;             // the quick-access window without a person
    TPessoaFisica *pessoa = nullptr; // an individual not stored yet
    double inicial = 0;              // a period already filled in, or an instalment's date
    double final = 0;
    bool todasAsPessoas = false;        // the period's "all persons" box is offered
    const TFinancas *financa = nullptr; // the entry a series of bills repeats
    int quantidade = 0;                 // how many instalments
    Money valor{};                      // an instalment's amount
    qint32 contato = 0;                 // a contact person of the company, opened for change
    QList<qint32> fisicas{};            // the individuals and companies a list found (the export)
    QList<qint32> juridicas{};

    bool operator==(const Abertura &) const = default;
};

// What a screen gave back: its exec() result, the person picked in a search
// (0: nobody), the period chosen (day numbers, as the dates are stored), an
// instalment changed.
struct Retorno {
    int resultado = 0;
    qint32 escolhido = 0;
    double inicial = 0;
    double final = 0;
    bool todasAsPessoas = false;
    bool salvo = false; // an instalment changed: its date in inicial, its amount in valor
    Money valor{};
};

// Screens open other screens through the one installed navigator, so a test
// can see "this button opened TfrHistorico for company 7" without running it.
// Screens call the typed entry points in Telas.h, never open() with a name of
// their own. Menu entries of screens that are not registered stay disabled.
class Navigator {
public:
    using Factory = std::function<Retorno(QWidget *owner, const Abertura &abertura)>;

    virtual ~Navigator() = default;
    virtual bool has(const QString &screen) const = 0;
    virtual Retorno open(const QString &screen, QWidget *owner, const Abertura &abertura = {}) = 0;

    static Navigator &instance();
    static void install(std::unique_ptr<Navigator> navigator);
};

// The program's navigator: a table of screen factories.
class ScreenNavigator : public Navigator {
public:
    void add(const QString &screen, Factory factory);
    bool has(const QString &screen) const override;
    Retorno open(const QString &screen, QWidget *owner, const Abertura &abertura = {}) override;

private:
    QHash<QString, Factory> m_factories;
};

// Registers every screen the program has into a ScreenNavigator and installs it.
void InstallScreens();
