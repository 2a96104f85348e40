#pragma once

class QLineEdit;
class QPlainTextEdit;

// Text boxes whose text goes into the Windows-1251 files keep only what the
// files can store: a character the encoding cannot hold becomes '?' as it is
// typed or pasted, so what the user sees is what is saved.
void KeepAnsiWhileTyping(QLineEdit *edit);
void KeepAnsiWhileTyping(QPlainTextEdit *memo);
