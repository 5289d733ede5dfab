// Drawing a page: its objects in insertion order, later ones over earlier ones.
#include "PPage.h"

namespace rkpe {

void PPage::Draw(const CDC& dc) const
{
    for (const auto& object : m_objects)
        object->Draw(dc);
}

void PPage::Append(std::unique_ptr<DObject> object)
{
    if (object)
        m_objects.push_back(std::move(object));
}

void PPage::InsertFront(std::unique_ptr<DObject> object)
{
    if (object)
        m_objects.insert(m_objects.begin(), std::move(object));
}

} // namespace rkpe
