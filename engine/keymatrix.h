#pragma once

#include <QtGlobal>

#include <array>

// A 3x3 matrix stored as nine values in row order: row r, column c (both from 1)
// stand at index 3 * (r - 1) + (c - 1).
using KeyMatrix = std::array<qint16, 9>;

// A column of three letter codes.
using CodeVector = std::array<qint16, 3>;

[[nodiscard]] constexpr qint16 matrixElement(const KeyMatrix &m, int row, int column)
{
    return m[static_cast<std::size_t>(3 * (row - 1) + (column - 1))];
}

// The fixed key and its inverse modulo 26.
inline constexpr KeyMatrix EncryptionKey { 6, 24, 1, 13, 16, 10, 20, 17, 15 };
inline constexpr KeyMatrix DecryptionKey { 8, 5, 10, 21, 8, 21, 21, 12, 8 };
