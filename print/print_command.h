#pragma once

#include "core/remembered_values.h"
#include "core/settings.h"

#include <QString>

class QWidget;

namespace Tavo {

// The four texts of the main window, as typed.
struct PrintInput
{
    QString aut;
    QString nome;
    QString targa;
    QString istruttore;
};

// Outcome of the checks on the learner's data.
struct InputCheck
{
    enum class Field
    {
        None,
        Aut,
        Nome,
        Targa,
        Istruttore
    };
    Field field = Field::None; // the field to correct, None when the data is good
    QString message;           // "Numero autorizzazione errato", "Nome allievo non presente", ...
    bool ok() const { return field == Field::None; }
};

// Checks the authorisation number and the learner's name, and that the plate and the
// instructor can be kept in Tavo.txt (Windows-1252) once the booklet is printed.
InputCheck checkPrintInput(const PrintInput &input);

// Where the booklet goes.
struct PrintTarget
{
    enum class Kind
    {
        Dialog,
        Pdf,
        Printer
    };
    Kind kind = Kind::Dialog;
    QString name; // the PDF file (Pdf) or the print queue (Printer)
};

struct PrintOutcome
{
    enum class Status
    {
        Printed,
        Cancelled,
        Failed,              // nothing printed
        PrintedNotRemembered // printed, but Tavo.txt could not be written
    };
    Status status = Status::Failed;
    QString error;       // Italian message when Failed or PrintedNotRemembered
    QString printerName; // the printer remembered in Tavo.txt: the dialog's or the queue's,
                         // the remembered one for a PDF file
};

// Chooses the layout, builds the page table, fills the labels, prints (after the printer
// dialog for Kind::Dialog) and updates folder/Tavo.txt when plate, instructor or printer
// changed. Input that fails checkPrintInput is refused with its message. Every settings
// problem (margin or page count out of range, a page number too long) is found before anything
// prints. A failed print leaves no PDF file and no new Tavo.txt behind; a cancelled dialog
// still updates Tavo.txt. A booklet printed whose Tavo.txt cannot be written is reported as
// PrintedNotRemembered, so that a caller does not print it again.
PrintOutcome printBooklet(const PrintInput &input, const Settings &settings,
                          const RememberedValues &remembered, const QString &folder,
                          const PrintTarget &target, QWidget *dialogParent);

} // namespace Tavo
