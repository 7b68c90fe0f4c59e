// "Acomp.html", the printable page of the person search lists: its fixed
// lines, one block per person in alternating colours, database texts escaped.
#include "model/PaginaAcompanhamento.h"

#include <QtTest>

class TestPaginaAcompanhamento : public QObject {
    Q_OBJECT

private slots:
    void individuals()
    {
        TPessoaFisica ana;
        ana.Tratamento = QStringLiteral("Dra.");
        ana.Nome = QStringLiteral("Ana Souza");
        ana.Grupo.Nome = QStringLiteral("Amigos");
        ana.Email = QStringLiteral("ana@casa.com");
        ana.MSN = QStringLiteral("ana@msn.com");
        ana.FoneResidencial = QStringLiteral("1132451234");
        ana.FoneComercial = QStringLiteral("1140001111");
        ana.FoneCelular = QStringLiteral("11987654321");
        TPessoaFisica script;
        script.Tratamento = QStringLiteral("<b>");
        script.Nome = QStringLiteral("<script>alert(1)</script> <&>");
        script.Grupo.Nome = QStringLiteral("A&B");
        script.Email = QStringLiteral("\"x\"@y");
        const QStringList l = PaginaAcompanhamento(QList<TPessoaFisica>{ana, script, ana});

        QCOMPARE(l.size(), 6);
        QCOMPARE(l.at(0), QStringLiteral("<html> <head> <title>:: Acompanhamento ::</title> </head> <body "
                                         "bgcolor=\"#FEFAC0\">"));
        QCOMPARE(l.at(1),
                 QStringLiteral(" <table border=\"0\" width=\"100%\" bgcolor=\"#ECF490\">   <tr>     <td "
                                "width=\"10%\"><font face=\"Arial\" size=\"4\"color=\"#000000\"><p "
                                "align=\"center\"><b>Pessoa Física</p></b></font></td>   </tr> "
                                "</table><BR><BR>"));
        QCOMPARE(
            l.at(2),
            QStringLiteral(
                " <table border=\"0\" width=\"100%\"bgcolor=\"#ECF4BB\"> <tr> <td width=\"100%\"> <table "
                "border=\"0\" width=\"100%\">   <tr>     <td width=\"50%\"><font face=\"Arial\" "
                "size=\"3\">Dra. "
                "Ana Souza</font><font face=\"Arial\" size=\"1\"> (Amigos)</font></td>     <td "
                "width=\"25%\"><font face=\"Arial\" size=\"2\"><b>E-mail: </b>ana@casa.com</font></td>     "
                "<td width=\"25%\"><font face=\"Arial\" size=\"2\"><b>Msn: </b>ana@msn.com</font></td>   "
                "</tr> </table>       <table border=\"0\" width=\"100%\">         <tr>           <td "
                "width=\"33%\"><font face=\"Arial\" size=\"2\"><b>Res.:</b> (11)3245-1234</font></td>        "
                "   <td width=\"33%\"><font face=\"Arial\" size=\"2\"><b>Com.:</b> (11)4000-1111</font> "
                "</td>           <td width=\"34%\"><font face=\"Arial\" size=\"2\"><b>Cel.:</b> "
                "(11)98765-4321</font></td>         </tr>       </table></td></tr></table>"));
        // odd positions in the second colour, even ones in the first again
        QVERIFY(
            l.at(3).startsWith(QStringLiteral(" <table border=\"0\" width=\"100%\"bgcolor=\"#ECF466\">")));
        QCOMPARE(l.at(4), l.at(2));
        QVERIFY(l.at(3).contains(QStringLiteral(
            "size=\"3\">&lt;b&gt; &lt;script&gt;alert(1)&lt;/script&gt; &lt;&amp;&gt;</font>")));
        QVERIFY(l.at(3).contains(QStringLiteral("> (A&amp;B)</font>")));
        QVERIFY(l.at(3).contains(QStringLiteral("<b>E-mail: </b>&quot;x&quot;@y</font>")));
        QVERIFY(!l.at(3).contains(QStringLiteral("<script>")));
        QCOMPARE(l.at(5), QStringLiteral("</body> </html>"));
    }

    void companies()
    {
        TPessoaJuridica alfa;
        alfa.Nome = QStringLiteral("Alfa <&> Comércio");
        alfa.Grupo.Nome = QStringLiteral("Clientes");
        alfa.Email = QStringLiteral("contato@alfa.com");
        alfa.HomePage = QStringLiteral("www.alfa.com");
        alfa.Fone = QStringLiteral("1130001000");
        alfa.FoneFax = QStringLiteral("1130001001");
        alfa.FoneCel = QStringLiteral("11991112222");
        alfa.Fone0800 = QStringLiteral("08007770000");
        alfa.Fone0300 = QStringLiteral("03001234567");
        const QStringList l = PaginaAcompanhamento(QList<TPessoaJuridica>{alfa});
        QCOMPARE(l.size(), 4);
        QVERIFY(l.at(1).contains(QStringLiteral("<b>Pessoa Jurídica</p></b>")));
        QCOMPARE(
            l.at(2),
            QStringLiteral(
                " <table border=\"0\" width=\"100%\"bgcolor=\"#ECF4BB\"> <tr> <td width=\"100%\"> <table "
                "border=\"0\" width=\"100%\">   <tr>     <td width=\"50%\"><font face=\"Arial\" "
                "size=\"3\">Alfa &lt;&amp;&gt; Comércio</font><font face=\"Arial\" size=\"1\"> "
                "(Clientes)</font></td>     <td width=\"25%\"><font face=\"Arial\" size=\"2\"><b>E-mail: "
                "</b>contato@alfa.com</font></td>     <td width=\"25%\"><font face=\"Arial\" "
                "size=\"2\"><b>Home: </b>www.alfa.com</font></td>   </tr> </table>       <table "
                "border=\"0\" width=\"100%\">         <tr>           <td width=\"20%\"><font face=\"Arial\" "
                "size=\"2\"><b>Res.:</b> (11)3000-1000</font></td>           <td width=\"20%\"><font "
                "face=\"Arial\" size=\"2\"><b>Fax.:</b> (11)3000-1001</font> </td>           <td "
                "width=\"20%\"><font face=\"Arial\" size=\"2\"><b>Cel.:</b> (11)99111-2222</font></td>      "
                "     <td width=\"20%\"><font face=\"Arial\" size=\"2\"><b>0800:</b> "
                "08007770000</font></td>           <td width=\"20%\"><font face=\"Arial\" "
                "size=\"2\"><b>0300:</b> 03001234567</font></td>         </tr>       "
                "</table></td></tr></table>"));
        QCOMPARE(l.at(3), QStringLiteral("</body> </html>"));
    }

    void anEmptyListIsTheFrameAlone() { QCOMPARE(PaginaAcompanhamento(QList<TPessoaFisica>{}).size(), 3); }
};

QTEST_GUILESS_MAIN(TestPaginaAcompanhamento)
#include "TestPaginaAcompanhamento.moc"
