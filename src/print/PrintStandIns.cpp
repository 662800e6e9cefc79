// Minimal versions of the operations that the text output, the page bands
// and the replay provide, so that page flow and the job's end can call
// them.  Each does only what page flow needs of it and nothing is drawn;
// this file goes when those parts are in place.
#include "print/PrintObject.h"
#include "print/PrnPages.h"

void TPrintObject::PrintHeaderBand() {}

void TPrintObject::PrintFooterBand() {}

void TPrintObject::PrintPageNumber()
{
    FireFirstPage();
}

void TPrintObject::ShowPreview() {}

void TPrintObject::PrintAllPages() {}

void TPrintObject::UpdateProgress(int) {}

void TPrintObject::SetTab(double tab)
{
    if (!m_printingStarted) return;
    const double v = toInches(1, tab);
    if (m_recording && m_pages) m_pages->AddTab(v);
    m_tab = v;
}
