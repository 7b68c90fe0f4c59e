#pragma once

#include "model/THistorico.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class HistoricoModel;
class TPessoaFisica;
class TPessoaJuridica;
class QAction;
class QDateEdit;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTableView;
class QToolButton;
class QWidget;

// "Histórico": the dated entries of one individual or company, each with an
// optional picture. The opener fills the inputs before showing it. The list
// knows only whether an entry has a picture; the picture is read when it is
// viewed, so a long history opens at once.
class TfrHistorico : public QDialog {
    Q_OBJECT

public:
    // `historico` holds the person (IdenPessoa, TipoPessoa) and stays the
    // opener's; the screen uses it as its working record.
    explicit TfrHistorico(THistorico &historico, QWidget *parent = nullptr);
    ~TfrHistorico() override;

    THistorico &Historico;
    QString NomePessoa; // captions and questions
    QString Nome;       // the page header
    QString Cidade;
    QString UF;
    QString Fone1; // individual: home, business, mobile; company: phone, fax, 0800
    QString Fone2;
    QString Fone3;
    QString Email;
    QString Email2; // individual: MSN; company: web page

    // Fills the inputs from a loaded individual or company (and the person
    // and kind of Historico).
    void DefinirPessoa(const TPessoaFisica &pessoa);
    void DefinirPessoa(const TPessoaJuridica &empresa);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void FormShow();
    void btnEnviarClick();
    void btnSairClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void JvArrowButton1Click();
    void EntreDatas1Click();
    void btnProcuraImagemClick();
    void btnImprimirClick();
    void GridCellClick(const QModelIndex &index);
    void GridDblClick(const QModelIndex &index);

private:
    void criarControles();
    // Fills the list with the filter in force; false (after "Erro!!") on a failure.
    bool Carregar();
    void GridKeyDown(QKeyEvent *event);
    void FormKeyDown(QKeyEvent *event);
    void ModoInclusao();
    // The lines of "Historico.html": the listed entries, in grid order.
    QStringList LinhasPagina() const;

    int m_filtro = 0; // 0 all entries, 1 between m_data1 and m_data2
    double m_data1 = 0;
    double m_data2 = 0;
    bool m_mostrada = false;

    HistoricoModel *m_modelo = nullptr;
    QPushButton *btnEnviar = nullptr;
    QPushButton *btnSair = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QPushButton *SpeedButton2 = nullptr;
    QToolButton *JvArrowButton1 = nullptr;
    QAction *EntreDatas1 = nullptr;
    QDateEdit *DateTimePicker1 = nullptr;
    QPlainTextEdit *edtTexto = nullptr;
    QLineEdit *edtPathImagem = nullptr;
    QPushButton *btnProcuraImagem = nullptr;
    QTableView *Grid = nullptr;
    QWidget *pnlImprimir = nullptr;
    QPushButton *btnImprimir = nullptr;
};
