#pragma once

// Where a picture lives on disk. The document keeps the one its picture was read from or
// last written to (none while the picture has no file) and gives it back when an undo
// returns to that picture; what it is, and how it is read and written, the file session
// knows (session/Place.h).
class DocumentPlace
{
public:
    virtual ~DocumentPlace() = default;
};
