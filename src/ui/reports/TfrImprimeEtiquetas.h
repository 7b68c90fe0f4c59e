#pragma once

#include "model/EnderecoEtiqueta.h"
#include "model/PesquisaEtiquetas.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QList>

class EtiquetasModel;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QModelIndex;
class QPrinter;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QTabWidget;
class QTableView;
class QToolButton;

// "Impressão de Etiquetas": collects the postal addresses of individuals,
// companies and their contact persons by one filter at a time, lets the
// user edit the list (delete, repeat, select with Ctrl) and prints it on
// sheets of adhesive labels or one envelope per page, after an optional
// preview.
class TfrImprimeEtiquetas : public QDialog {
    Q_OBJECT

public:
    explicit TfrImprimeEtiquetas(const QString &login, QWidget *parent = nullptr);

    // The collected list and the selection picked with Ctrl.
    const QList<EnderecoEtiqueta> &Enderecos() const { return m_enderecos; }
    const QList<EnderecoEtiqueta> &Selecionados() const { return m_selecionados; }

    // Collects with the kind chosen and a filter number, as the "ok" buttons do.
    void Pesquisar(int tipo, int filtro);
    void MostrarResultado();

    // The kind chosen in txtTipo: 0 individuals, 1 companies, 2 both.
    int Tipo() const;
    void DefinirTipo(int tipo);

    // Printing: the labels of the list or of the selection, the envelopes;
    // with `previa` the pages are shown first in a print preview.
    void ImprimirEtiquetas(bool selecionados, bool previa = false);
    void ImprimirEnvelopes(bool previa = false);

    // The label font and its colour ("Alterar Fonte").
    QFont Fonte() const { return m_fonte; }
    QColor Cor() const { return m_cor; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int resultado) override;

private slots:
    void FormShow();
    void PageControlChange(int pagina);
    void txtModeloEtiquetaChange(int modelo);
    void SpeedButton1Click();
    void GRIDClick(const QModelIndex &index);
    void btnAddClick();
    void SpeedButton8Click();
    void SpeedButton7Click();
    void LimparSelecionadasClick();
    void Label6Click();

private:
    void criarControles();
    QWidget *criarFiltros();
    QWidget *criarImpressao();
    PesquisaEtiquetas::Pedido montarPedido(int tipo, int filtro) const;
    void preencherInicio();
    bool lerMargens(double *superior, double *esquerda);
    bool fonteDisponivel(const QFont &fonte);
    void repetir(int linha);
    void excluir(int linha);
    void progresso(QProgressBar *barra, int feitos);

    QString m_login;
    QList<EnderecoEtiqueta> m_enderecos;
    QList<EnderecoEtiqueta> m_selecionados;
    QFont m_fonte;
    QColor m_cor;
    bool m_mostrada = false;

    QGroupBox *txtTipo = nullptr;
    QButtonGroup *m_tipos = nullptr;
    QCheckBox *edtPessoasContatos = nullptr;
    QLabel *Label15 = nullptr;
    QTabWidget *PageControl = nullptr;
    QLineEdit *edtNome = nullptr;
    QPushButton *btnProcuraNome = nullptr;
    QLineEdit *edtRua = nullptr;
    QPushButton *btnRua = nullptr;
    QLineEdit *edtBairro = nullptr;
    QPushButton *btnBairro = nullptr;
    QLineEdit *edtCidade = nullptr;
    QPushButton *btnCidade = nullptr;
    QComboBox *edtEstado = nullptr;
    QPushButton *btnEstado = nullptr;
    QListWidget *txtGrupo = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QComboBox *txtMes = nullptr;
    QPushButton *btnMes = nullptr;
    QLineEdit *edtTitulo = nullptr;
    QPushButton *SpeedButton2 = nullptr;
    QLineEdit *edtZona = nullptr;
    QPushButton *SpeedButton3 = nullptr;
    QLineEdit *edtSeccao = nullptr;
    QPushButton *SpeedButton4 = nullptr;
    QLineEdit *edtNomeProfissao = nullptr;
    QPushButton *SpeedButton5 = nullptr;
    QLineEdit *edtNomeLocalTrabalho = nullptr;
    QPushButton *SpeedButton6 = nullptr;
    QLineEdit *edtBairro_01 = nullptr;
    QLineEdit *edtCidade_01 = nullptr;
    QComboBox *edtUF_01 = nullptr;
    QListWidget *edtRuas = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *SpeedButton8 = nullptr;
    QGroupBox *edtOrdem = nullptr;
    QRadioButton *m_ordemRua = nullptr;
    QRadioButton *m_ordemRuaNumero = nullptr;
    QPushButton *SpeedButton9 = nullptr;

    QTableView *GRID = nullptr;
    EtiquetasModel *m_modelo = nullptr;
    QWidget *m_painelAjuda = nullptr;
    QLabel *Label14 = nullptr;

    QTabWidget *PageControl1 = nullptr;
    QLineEdit *edtMargemSuperior = nullptr;
    QLineEdit *edtMargemEsquerda = nullptr;
    QComboBox *txtTipoImpressao = nullptr;
    QPushButton *btnImprimirEnvelopres = nullptr;
    QPushButton *btnVisualizarEnvelopes = nullptr;
    QLabel *lblTotalEnderecosEnv = nullptr;
    QLabel *lblTotalFolhasEnv = nullptr;
    QProgressBar *ProgressoEnv = nullptr;
    QComboBox *txtModeloEtiqueta = nullptr;
    QComboBox *txtInicia = nullptr;
    QLabel *lblTotalEnderecos = nullptr;
    QLabel *lblTotalFolhas = nullptr;
    QToolButton *JvArrowButton1 = nullptr;
    QPushButton *btnVisualizar = nullptr;
    QProgressBar *Progresso = nullptr;
    QPushButton *SpeedButton7 = nullptr;
    QLabel *Label6 = nullptr;
};
