#include "reports/report_layout.h"

namespace Tavo::Reports {

using Kind = ReportSection::Kind;

ReportLayout::ReportLayout(const QString &name, int printableWidth, int reportHeaderHeight,
                           int detailHeight)
    : m_name(name), m_printableWidth(printableWidth),
      m_sections{ReportSection(Kind::ReportHeader, reportHeaderHeight),
                 ReportSection(Kind::PageHeader, 0), ReportSection(Kind::Detail, detailHeight),
                 ReportSection(Kind::PageFooter, 0), ReportSection(Kind::ReportFooter, 0)}
{}

void ReportLayout::setDesignPage(QPageSize::PageSizeId pageSize,
                                 QPageLayout::Orientation orientation)
{
    m_pageSize = pageSize;
    m_orientation = orientation;
}

const ReportSection &ReportLayout::section(Kind kind) const
{
    return m_sections[static_cast<std::size_t>(kind)];
}

bool ReportLayout::addControl(Kind section, const ReportControl &control)
{
    if (control.name().isEmpty() || this->control(control.name()))
        return false;
    m_sections[static_cast<std::size_t>(section)].controls().push_back(control);
    return true;
}

namespace {

// Shared by the const and the mutable lookup.
template <typename Sections>
auto findIn(Sections &sections, QStringView name) -> decltype(&sections[0].controls()[0])
{
    for (auto &section : sections) {
        for (auto &control : section.controls()) {
            if (control.name() == name)
                return &control;
        }
    }
    return nullptr;
}

} // namespace

const ReportControl *ReportLayout::control(QStringView name) const
{
    return findIn(m_sections, name);
}

ReportControl *ReportLayout::findControl(QStringView name)
{
    return findIn(m_sections, name);
}

QStringList ReportLayout::controlNames() const
{
    QStringList names;
    for (const ReportSection &section : m_sections) {
        for (const ReportControl &control : section.controls())
            names.append(control.name());
    }
    return names;
}

bool ReportLayout::setLabelText(QStringView controlName, const QString &text,
                                ReportControl::TextFit fit)
{
    ReportControl *label = findControl(controlName);
    if (!label || label->kind() != ReportControl::Kind::Label)
        return false;
    label->setText(text);
    label->setTextFit(fit);
    return true;
}

QString ReportLayout::controlText(QStringView controlName) const
{
    const ReportControl *found = control(controlName);
    return found && found->isText() ? found->text() : QString();
}

} // namespace Tavo::Reports
