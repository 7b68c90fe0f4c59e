#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Sobre o Sistema": the program's name, version and database folder, and
// the publisher's web address. Shift+Enter makes every person of the
// current user public, after a question.
class TfrSobre : public QDialog {
    Q_OBJECT
public:
    explicit TfrSobre(QWidget *parent = nullptr);

protected:
    void keyReleaseEvent(QKeyEvent *event) override;

private slots:
    void lblHPClick();

private:
    void TornarPublicas();

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblHint = nullptr;
    QLabel *lblHP = nullptr;
    QPushButton *OKButton = nullptr;
};
