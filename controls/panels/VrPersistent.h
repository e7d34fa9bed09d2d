#pragma once
// TVrPersistent: a persistent value object that raises OnChange after each
// change, held back while BeginUpdate brackets are open (EndUpdate raises
// it once).

#include "platform/forms/Persistent.h"

#include <functional>

class TVrPersistent : public TPersistent {
    KORVAN_CLASS(TVrPersistent)
public:
    TVrPersistent() = default;
    TVrPersistent(const TVrPersistent&) = delete;
    TVrPersistent& operator=(const TVrPersistent&) = delete;

    void BeginUpdate() { ++updateCount_; }
    // Closes one bracket (an unbalanced call closes nothing), then notifies.
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    std::function<void(TObject*)> OnChange;

protected:
    // OnChange with this object as sender, unless an update is open.
    void NotifyChanged();
    // Stores a different value and notifies.
    template <class V> void Store(V& field, const V& value) {
        if (field == value)
            return;
        field = value;
        NotifyChanged();
    }

private:
    int updateCount_ = 0;
};
