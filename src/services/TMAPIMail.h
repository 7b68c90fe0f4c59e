#pragma once

#include <QString>
#include <QStringList>

// One message handed to the user's mail program, which shows it in its
// compose window for the user to send (through the MailHandoff seam).
//
// A recipient beginning "CC:" or "BCC:" (any case) is a copy or a blind copy
// to the address after the prefix; any other is a main recipient. The
// desktop's mail hand-off shows attachments under their own file names, so a
// file meant to arrive under a certain name is given that name on disk.
class TMAPIMail {
public:
    QString Subject;
    QString Body;
    QStringList Recipients;
    QStringList Attachments;     // full paths
    QStringList AttachmentNames; // kept for callers; the hand-off shows the files' own names
    bool EditDialog = true;      // the hand-off always shows the compose window
    bool ResolveNames = false;
    bool RequestReceipt = false;
    QString SenderName;
    QString SenderAddress;

    // Hands the message over. 0 on success, otherwise one of the result codes
    // below, with the hand-off's own Portuguese text in Erro().
    int Send();

    // The result code of the last Send.
    int Resultado() const { return m_resultado; }
    const QString &Erro() const { return m_erro; }

    // The texts of the result codes: "User cancelled request" for 1, ...,
    // "Unknown Error Code: " and the number for a code without a text.
    static QString ResultText(int code);

    // Codes this hand-off gives.
    enum : int { Sucesso = 0, FalhaGeral = 2, AnexoNaoEncontrado = 11 };

private:
    int m_resultado = 0;
    QString m_erro;
};
