#pragma once

#include <cstddef>

#include "erpserver/objects/Document.hpp"

// The limits of single values of a document, checked by Validar, Inserir and Alterar alike.
namespace erpserver {

// Header and payment discounts from 0 to 100; Ano the year of Data (both already defaulted).
void checkHeaderLimits(const CabecDoc& cab);

// Line `number` (from 1): a factor above zero, a discount rate from 0 to 100, and a quantity, a
// unit price and their product that a currency amount can hold.
void checkLineLimits(const LinhaDoc& line, std::size_t number);

// The document's total, once computed, within what a currency amount holds.
void checkTotalLimits(const CabecDoc& cab);

// A lot's quantity above zero, and an expiry not before its entry (when both are known).
void checkLotLimits(const LoteLinha& lotLine);

}  // namespace erpserver
