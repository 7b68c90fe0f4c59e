#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// "Lista de Usuário": removes the ticked users. The administrator who opened
// it is never listed. Each entry keeps its login, so a login with blanks or
// one of full length is removed exactly.
class TfrRemoverUsuarios : public QDialog {
    Q_OBJECT
public:
    explicit TfrRemoverUsuarios(const QString &administrador, QWidget *parent = nullptr);

    static constexpr int LoginRole = Qt::UserRole + 1;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void FormShow();
    void btnOKClick();

private:
    QString m_administrador;
    QListWidget *edtUsuarios;
    QPushButton *btnOK, *btnSair;
};
