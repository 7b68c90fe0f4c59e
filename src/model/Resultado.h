#pragma once

// What an operation that writes did. Screens act on it: a declined or failed
// save must never be taken for a saved one, so the result cannot be dropped.
// clang-format off
enum class [[nodiscard]] Resultado {
    // clang-format on
    Gravado,  // written and committed
    Recusado, // the user answered No to a question: nothing written, nothing shown
    Falhou,   // nothing written; the operation has already shown why
};
