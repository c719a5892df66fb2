! expect: Type mismatch|no specific function|no specific subroutine
! A text where the window number belongs.
program window_as_text
  use lumora
  implicit none
  integer :: k
  k = lu_draw_line_in_window('1', 0, 0, 10, 10)
  print *, k
end program window_as_text
