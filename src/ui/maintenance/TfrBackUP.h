#pragma once

#include <QDialog>

// "Backup - Restore". The main window closes the database connection before
// opening it and reconnects afterwards.
class TfrBackUP : public QDialog {
    Q_OBJECT
public:
    explicit TfrBackUP(QWidget *parent = nullptr);
};
