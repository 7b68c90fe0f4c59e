#pragma once

#include <QDialog>

// "Ajuda": the login window's help, with the way to add a user and the publisher's contacts.
class TfrPrimeiroUsuario : public QDialog {
    Q_OBJECT
public:
    explicit TfrPrimeiroUsuario(QWidget *parent = nullptr);

private slots:
    void btnLerManualClick();
};
