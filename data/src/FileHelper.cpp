// The open project file of the data root.
#include "FileHelper.h"

#include "wqv2_data.h"

#include <windows.h>

CFileHelper::~CFileHelper() { Close(); }

// The project file forms (XML document, ZIP container, older text format) are read and written
// by the document layer; until it is present no file form is recognised.
int CFileHelper::Open(const wchar_t* path, bool)
{
    if (!path || !*path)
        return wqv2_data::kErrFormat;
    return wqv2_data::kErrFormat;
}

int CFileHelper::Save(const wchar_t* path, bool)
{
    if ((!path || !*path) && !IsOpen())
        return wqv2_data::kErrFormat;
    if ((!path || !*path) && m_readOnly)
        return wqv2_data::kErrReadOnly;
    return wqv2_data::kErrIo;
}

int CFileHelper::Reload(unsigned int)
{
    if (!IsOpen())
        return wqv2_data::kErrFormat;
    return wqv2_data::kErrFormat;
}

void CFileHelper::Close()
{
    if (m_handle)
        CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
    m_path.clear();
    m_readOnly = false;
}
