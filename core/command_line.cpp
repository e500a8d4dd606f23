#include "core/command_line.h"

#include "core/windows1252.h"

#include <QStringDecoder>

namespace Tavo {

namespace {

QString decodeArgument(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return Windows1252::decode(bytes);
}

} // namespace

CommandLine CommandLine::parse(const QList<QByteArray> &arguments)
{
    CommandLine cl;
    QStringList rest;
    qsizetype i = 0;
    for (; i < arguments.size(); ++i) {
        const QString arg = decodeArgument(arguments[i]);
        if (!arg.startsWith(QLatin1String("--")))
            break;
        if (arg == QLatin1String("--help")) {
            cl.help = true;
            continue;
        }
        std::optional<QString> *target = nullptr;
        if (arg == QLatin1String("--pdf"))
            target = &cl.pdfFile;
        else if (arg == QLatin1String("--stampante"))
            target = &cl.printerName;
        else if (arg == QLatin1String("--targa"))
            target = &cl.targa;
        else if (arg == QLatin1String("--istruttore"))
            target = &cl.istruttore;
        if (!target) {
            cl.error = QStringLiteral("Opzione sconosciuta: %1").arg(arg);
            return cl;
        }
        if (i + 1 >= arguments.size()) {
            cl.error = QStringLiteral("Manca il valore dell'opzione %1").arg(arg);
            return cl;
        }
        *target = decodeArgument(arguments[++i]);
    }
    for (; i < arguments.size(); ++i)
        rest << decodeArgument(arguments[i]);
    cl.argumentString = rest.join(u' ');
    if (cl.pdfFile && cl.printerName)
        cl.error = QStringLiteral("Le opzioni --pdf e --stampante non si possono usare insieme");
    return cl;
}

std::optional<CommandLine::Learner> CommandLine::learner() const
{
    const qsizetype p = argumentString.indexOf(u'\u00A7');
    if (p < 0)
        return std::nullopt;
    QString nome = argumentString.mid(p + 1);
    nome.replace(u'*', u' ');
    return Learner{argumentString.left(p), nome};
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Uso: Tavo [opzioni] [NUMERO§NOME*COGNOME]\n"
        "\n"
        "Senza opzioni apre la finestra principale con l'allievo indicato.\n"
        "\n"
        "Opzioni (stampa senza finestre):\n"
        "  --pdf FILE           stampa il libretto nel file PDF indicato\n"
        "  --stampante NOME     stampa il libretto sulla stampante indicata, senza dialogo\n"
        "  --targa TARGA        targa del veicolo (altrimenti quella ricordata in Tavo.txt)\n"
        "  --istruttore NOME    istruttore (altrimenti quello ricordato in Tavo.txt)\n"
        "  --help               mostra questo aiuto\n"
        "\n"
        "Esito: 0 stampato; 2 dati dell'allievo errati, niente stampato;\n"
        "1 altro errore, niente stampato; 3 stampato, ma targa, istruttore e\n"
        "stampante non salvati in Tavo.txt (non ristampare).\n");
}

} // namespace Tavo
