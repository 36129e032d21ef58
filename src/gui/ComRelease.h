// The one helper through which the toolkit gives back COM references.
#pragma once

// Releases a COM reference when there is one and forgets it.
template <class T> void ReleaseCom(T*& object)
{
    if (object)
    {
        object->Release();
        object = nullptr;
    }
}
