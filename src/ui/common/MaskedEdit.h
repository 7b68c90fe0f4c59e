#pragma once

#include "util/EditMask.h"

#include <QLineEdit>
#include <QStringList>

// A masked entry field in the screens' mask notation ("00000\-000;0;_",
// see EditMask): Qt's inputMask does the typing, value() gives what the
// record stores -- the digits alone or the text with its literals, as the
// mask says.
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedEdit(QWidget *parent = nullptr);
    explicit MaskedEdit(const QString &mask, QWidget *parent = nullptr);

    const EditMask &editMask() const { return m_mask; }
    // Changes the mask; the characters typed stay when they fit the new
    // one (true), otherwise the field is emptied (false). An empty mask
    // makes a plain field.
    bool setMascara(const QString &mask);
    // Masks of growing size for one field (a telephone of 10 or 11 digits):
    // a value shows in the first mask that holds it, typing past the end of
    // a full mask moves on to the next one, and erasing moves back.
    bool setMascaras(const QStringList &masks);
    const QStringList &mascaras() const { return m_mascaras; }

    // With the literals when the mask keeps them (";1"), else the
    // characters alone with the trailing empty places dropped.
    QString value() const;
    // Accepts the stored value (digits or text, with or without the
    // literals). Returns false, leaving the field as it was, when the value
    // does not fit: a mask never cuts digits.
    bool setValue(const QString &value);
    // The characters typed, without literals or empty places (the digits of
    // a telephone; the digits and letters of a CNPJ).
    QString digits() const;
    // Every required place filled.
    bool isComplete() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void trocarMascara(int indice);
    void voltarMascaraMenor();

    EditMask m_mask;
    QStringList m_mascaras;
    int m_indice = 0;
};
