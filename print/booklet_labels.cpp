#include "print/booklet_labels.h"

#include "core/province_table.h"
#include "reports/report_layout.h"
#include "reports/report_renderer.h"

#include <algorithm>

namespace Tavo::BookletLabels {

using namespace Qt::StringLiterals;

namespace {
using Field = InputCheck::Field;

// A value, the labels that print it and what to tell the operator when it does not fit them.
struct LabelValue
{
    QStringList labels;      // in every layout
    QStringList rightLabels; // further labels of the A4 layouts
    QString text;
    Field field = Field::None; // where the operator types it; None: not in the main window
    QString tooLong;           // the warning; empty for the program's own text
};

// "Nome troppo lungo: ...", for the value named at the start of `subject`.
QString tooLong(const QString &subject)
{
    return subject + u": sul libretto non entra per intero, neanche in caratteri più piccoli"_s;
}

QList<LabelValue> labelValues(const Settings &settings, const LearnerTexts &learner)
{
    const PrintInput &in = learner.input;
    const QString inConfiguration = u" (Configurazione)"_s;
    return {
        {{u"NumFR"_s}, {u"NumFR2"_s}, in.aut, Field::Aut, tooLong(u"Numero aut. troppo lungo"_s)},
        {{u"UMC"_s},
         {u"UMC2"_s},
         learner.officeName,
         Field::Aut,
         tooLong(u"Ufficio di rilascio troppo lungo"_s)},
        {{u"Cognome1"_s, u"Cognome2"_s},
         {u"Cognome3"_s},
         in.nome,
         Field::Nome,
         tooLong(u"Nome troppo lungo"_s)},
        {{u"Targa"_s}, {u"Targa2"_s}, in.targa, Field::Targa, tooLong(u"Targa troppo lunga"_s)},
        {{u"Istruttore"_s},
         {u"Istruttore2"_s},
         in.istruttore,
         Field::Istruttore,
         tooLong(u"Istruttore troppo lungo"_s)},
        {{u"Ag11"_s, u"Ag21"_s},
         {u"Ag31"_s},
         settings.CfgAutoscuola1,
         Field::None,
         tooLong(u"Nome dell'autoscuola troppo lungo"_s + inConfiguration)},
        {{u"Ag12"_s, u"Ag22"_s},
         {u"Ag32"_s},
         settings.CfgAutoscuola2,
         Field::None,
         tooLong(u"Seconda riga del nome dell'autoscuola troppo lunga"_s + inConfiguration)},
        {{u"Ag13"_s, u"Ag23"_s},
         {u"Ag33"_s},
         settings.CfgAutoscuola3,
         Field::None,
         tooLong(u"Indirizzo dell'autoscuola troppo lungo"_s + inConfiguration)},
        {{u"Ag14"_s, u"Ag24"_s},
         {u"Ag34"_s},
         settings.CfgAutoscuola4,
         Field::None,
         tooLong(u"Città dell'autoscuola troppo lunga"_s + inConfiguration)},
        {{u"Cod1"_s, u"Cod2"_s},
         {u"Cod3"_s},
         settings.CfgCodice,
         Field::None,
         tooLong(u"Codice dell'autoscuola troppo lungo"_s + inConfiguration)},
        {{u"compone"_s},
         {},
         BookletPages::compositionStatement(learner.pageCount),
         Field::None,
         {}},
    };
}
} // namespace

LearnerTexts learnerTexts(const PrintInput &input, int pageCount)
{
    return {input, NomeProvincia(QStringView(input.aut).mid(2, 2)), pageCount};
}

QString fill(Reports::ReportLayout &report, BookletPages::Layout layout, const Settings &settings,
             const LearnerTexts &learner)
{
    const bool a4 = BookletPages::isA4(layout);
    for (const LabelValue &value : labelValues(settings, learner)) {
        QStringList names = value.labels;
        if (a4)
            names += value.rightLabels;
        const auto fit = value.tooLong.isEmpty() ? Reports::ReportControl::TextFit::Fixed
                                                 : Reports::ReportControl::TextFit::Shrink;
        for (const QString &name : names) {
            if (!report.setLabelText(name, value.text, fit))
                return QStringLiteral("Il modulo %1 non ha l'etichetta %2")
                    .arg(BookletPages::layoutName(layout), name);
        }
    }
    return {};
}

QList<PrintWarning> notPrintedWhole(const Reports::ReportLayout &report, const QPaintDevice &device)
{
    const QStringList cut = Reports::ReportRenderer(report).labelsNotPrintedWhole(device);
    QList<PrintWarning> warnings;
    for (const LabelValue &value : labelValues({}, {})) {
        const QStringList names = value.labels + value.rightLabels;
        const bool isCut = std::any_of(names.begin(), names.end(),
                                       [&cut](const QString &name) { return cut.contains(name); });
        if (isCut && !value.tooLong.isEmpty())
            warnings.append({value.tooLong, value.field});
    }
    return warnings;
}

} // namespace Tavo::BookletLabels
