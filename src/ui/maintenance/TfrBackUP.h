#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// "BackUP - Restore": the engine's backup packed into "Orvalha.z", the
// restore from such an archive, the archive sent through the user's mail
// program, and a dated copy of the database file. The main window closes the
// database connection before opening it and reconnects afterwards; each
// operation here also closes it while it runs and reopens it after.
class TfrBackUP : public QDialog {
    Q_OBJECT
public:
    explicit TfrBackUP(QWidget *parent = nullptr);

    // The archive's path and what goes beside it.
    QString arquivoBackup() const;
    QString pastaDoArquivo() const; // with trailing separator
    QString arquivoBck() const { return pastaDoArquivo() + QStringLiteral("Orvalha.bck"); }
    QString copiaDaBase() const; // "Orvalha_yyyy_mm_dd.FDB" beside the archive
    static QString baseDeDados();
    // Whether the database is on a server of the network (backup and
    // restore go through its services, streamed to and from this desktop).
    static bool emRede();

    // The operations behind the buttons; true when they did their work.
    bool FazerBackup();
    bool FazerRestore();
    void EnviarBackup();
    bool CopiarBase();

protected:
    void done(int result) override;

private slots:
    void FormShow();
    void btnDestFileClick();
    void atualizarBotoes();

private:
    void criarControles();
    void mostrar(const QString &texto);
    void mostrarUltimoBackup();
    void progresso(qint64 feito, qint64 total);
    void desconectar();
    void reconectar();

    int m_ultimoPasso = -1;

    QLineEdit *edSrcFolder = nullptr;
    QLineEdit *edFilename = nullptr;
    QPushButton *btnDestFile = nullptr;
    QLineEdit *edDestFolder = nullptr;
    QPushButton *btnCompress = nullptr;
    QPushButton *btnUnCompress = nullptr;
    QPushButton *btnBackUPEmail = nullptr;
    QPushButton *btnCopiar = nullptr;
    QPushButton *btnSair = nullptr;
    QLabel *lblFilename = nullptr;
    QProgressBar *pbProgress = nullptr;
};
