#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Sugestões -- Críticas -- Dúvidas": a suggestion or question mailed to the
// publisher's support address over the program's SMTP account, from the
// current user. The label screen opens it with a subject already filled.
class TfrSugestoes : public QDialog {
    Q_OBJECT
public:
    explicit TfrSugestoes(QWidget *parent = nullptr, const QString &assunto = {});

private slots:
    void FormShow();
    void btnEnviarClick();

private:
    void criarControles();

    QLabel *lblDe = nullptr;
    QLineEdit *edtAssunto = nullptr;
    QPlainTextEdit *msg = nullptr;
    QPushButton *btnEnviar = nullptr;
    QPushButton *btnSair = nullptr;
    QLabel *lblStatus = nullptr;
};
