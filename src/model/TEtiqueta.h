#pragma once

#include <QList>
#include <QPointF>
#include <QString>

// A sheet of adhesive labels: two columns, numbered 1, 2 in the first row,
// 3, 4 in the second and so on. Lengths in centimetres from the paper's
// top-left corner.
struct TEtiqueta {
    QString Nome;       // as the model list shows it
    QString NomeTitulo; // in the print job's title
    int PorFolha = 0;   // labels per sheet
    double ColunaEsquerda = 0;
    double ColunaDireita = 0;
    double PassoLinha = 0; // between the lines of one label
    double Topo = 0;       // top offset of the first row
    double AjusteTopo = 0;
    double PassoFileira = 0; // from one row of labels to the next
};

// The five label-sheet models, in the order of the model list.
const QList<TEtiqueta> &ModelosEtiqueta();

// Top-left corner of the text of the label at position n (1 to the labels
// per sheet) on the model's sheet.
QPointF PosicaoEtiqueta(const TEtiqueta &modelo, int posicao);

// Sheets needed for a number of labels (the start position is not counted).
int FolhasEtiqueta(const TEtiqueta &modelo, int etiquetas);
