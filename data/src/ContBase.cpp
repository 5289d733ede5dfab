// The common container protocol.
#include "ContBase.h"

#include "Library.h"
#include "ObjectBase.h"
#include "Transaction.h"

#include "wqv2_data.h"

#include <climits>

bool CContBase::Reset(int keepMask)
{
    if ((keepMask & 1) || (keepMask & (1 << m_kind)))
        return false;
    Clear();
    return true;
}

int CContBase::AddCommon(CObjectBase* item, int& id)
{
    CTransaction* t = lib::Transaction();
    // An item already in a container or already registered would be inserted twice.
    if (!item || !t || !t->IsOpen() || item->IsInContainer() || item->IsAddedRegistered())
        return wqv2_data::kErrTransaction;
    const bool idUsable = id == 0 ? m_nextId < INT_MAX : (id > 0 && id < INT_MAX);
    if (!item->IsValid(true) || !idUsable) {
        t->Rollback();
        return wqv2_data::kErrInvalid;
    }
    const int previousId = id;
    const int previousNext = m_nextId;
    if (id == 0)
        id = m_nextId++;
    else if (id >= m_nextId)
        m_nextId = id + 1;
    const int status = t->RegisterAdded(item);
    if (status != 0) {
        id = previousId;
        m_nextId = previousNext;
    }
    return status;
}
