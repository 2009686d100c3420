#include "app/TipSelector.h"

#include "settings/ProgramState.h"
#include "store/RecordSet.h"
#include "store/TipDatabase.h"
#include "store/TipQueries.h"
#include "text/TipText.h"

#include <algorithm>
#include <cmath>

TipSelector::TipSelector(TipDatabase &database, ProgramState &state,
                         std::function<float()> nextRandom)
    : m_database(database)
    , m_state(state)
    , m_nextRandom(std::move(nextRandom))
{
}

TipSelector::~TipSelector() = default;

bool TipSelector::start()
{
    m_unread = std::make_unique<RecordSet>(m_database, TipQueries::UnreadSet);
    if (!m_unread->open()) {
        m_lastError = m_unread->lastError();
        m_unread.reset();
        return false;
    }
    if (m_unread->recordCount() == 0) {
        ClearRead();
        m_unread->requery();
    }
    if (m_state.RandomMode == 1)
        positionAtRandom();
    return true;
}

void TipSelector::showtip()
{
    if (!m_unread)
        return;
    TipValues tip;
    tip.book = m_unread->value(QStringLiteral("Book"));
    tip.content = m_unread->value(QStringLiteral("Content"));
    tip.chapter = m_unread->value(QStringLiteral("Chapter"));
    tip.from = m_unread->value(QStringLiteral("From"));
    tip.to = m_unread->value(QStringLiteral("To"));
    // A tip that cannot be composed (no current row, a book without a name)
    // leaves the text on show as it was.
    if (const auto text = tipDisplayText(tip, m_state.LangOffset))
        m_tipText = *text;

    if (m_unread->edit() && m_unread->setValue(QStringLiteral("Read"), true))
        m_unread->update();
}

void TipSelector::getnexttip()
{
    if (!m_unread)
        return;
    if (m_state.RandomMode != 0) {
        m_unread->requery();
        if (m_unread->recordCount() == 0) {
            ClearRead();
            m_unread->requery();
        }
        positionAtRandom();
        return;
    }

    // Table order walks the set as it was last built, rows read during the
    // walk included; past its end every mark starts over.
    m_unread->moveNext();
    if (m_unread->eof()) {
        ClearRead();
        m_unread->requery();
        showtip();
    }
}

void TipSelector::positionAtRandom()
{
    m_unread->moveLast();
    const int count = m_unread->recordCount();
    // A uniform draw among all unread tips: r * n in double precision, so
    // that r just below 1 reaches the last tip and never one past it.
    const double draw = std::floor(static_cast<double>(m_nextRandom()) * count);
    const int steps = std::clamp(static_cast<int>(draw), 0, std::max(0, count - 1));
    m_unread->moveFirst();
    for (int i = 0; i < steps; ++i)
        m_unread->moveNext();
}

bool TipSelector::ClearRead()
{
    RecordSet readTips(m_database, TipQueries::ReadSet);
    if (!readTips.updateMatchingRows(QStringLiteral("Read"), false)) {
        m_lastError = readTips.lastError();
        return false;
    }
    return true;
}

void TipSelector::release()
{
    m_unread.reset();
}

QString TipSelector::tipText() const
{
    return m_tipText;
}

QSqlError TipSelector::lastError() const
{
    return m_lastError;
}
