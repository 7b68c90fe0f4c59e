#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Definição de Assunto e Texto para o Corpo da Mensagem": the subject and
// body of the mail merge's e-mails, kept in [MALA_DIRETA] of the settings
// file (the body's line breaks as "<BR>").
class TfrServidor : public QDialog {
    Q_OBJECT

public:
    explicit TfrServidor(QWidget *parent = nullptr);

    QString Assunto() const;
    QString Corpo() const; // line breaks as "\r\n"

protected:
    void done(int resultado) override;

private slots:
    void btnContinuarClick();

private:
    QLineEdit *edtAssunto = nullptr;
    QPlainTextEdit *edtCorpo = nullptr;
    QPushButton *btnContinuar = nullptr;
};
