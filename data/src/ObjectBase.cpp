// The transaction side of every data item.
#include "ObjectBase.h"

#include "Library.h"
#include "Transaction.h"
#include "UndoInfo.h"

#include "wqv2_data.h"

int CObjectBase::ReadXml(CXmlParser*, CXmlElement*) { return wqv2_data::kErrFormat; }

int CObjectBase::ImportCsv(const std::vector<std::wstring>&) { return wqv2_data::kErrTransaction; }

int CObjectBase::PrepareModify()
{
    if (m_modifiedRegistered)
        return 0;
    // An item never added is no part of the project: there is nothing to record or restore.
    if (GetId() == 0)
        return 0;
    CTransaction* t = lib::Transaction();
    if (!t || !t->IsOpen())
        return wqv2_data::kErrTransaction;
    return -1;
}

int CObjectBase::FinishModify()
{
    return lib::Transaction()->RegisterModified(this);
}

int CObjectBase::RegisterDeletedOrDestroy()
{
    if (m_deletedRegistered)
        return 0;
    if (GetId() == 0) {
        // Never added: nobody else refers to it. Destroying from inside a member is the
        // documented contract of MarkDeleted; nothing touches `this` afterwards.
        DestroyItem(this);
        return 0;
    }
    CTransaction* t = lib::Transaction();
    if (!t || !t->IsOpen())
        return wqv2_data::kErrTransaction;
    return t->RegisterDeleted(this);
}

void KeepOrDestroyDeleted(CObjectBase* item, CUndoInfo* step)
{
    if (step)
        step->AddDeleted(item);
    else
        DestroyItem(item);
}
