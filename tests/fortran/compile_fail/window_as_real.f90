! expect: Type mismatch|no specific function|no specific subroutine
! A REAL where the window number belongs.
program window_as_real
  use lumora
  implicit none
  integer :: k
  k = lu_draw_line_in_window(1.0, 0, 0, 10, 10)
  print *, k
end program window_as_real
