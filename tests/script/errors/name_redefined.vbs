' A variable and a procedure of the same name clash where the procedure is defined.
Dim Clash
Sub Clash : End Sub               ' ERR: 1041 3 4
