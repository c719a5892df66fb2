! expect: no specific subroutine
! Integers where the interface wants coordinates.
program integer_coordinates
  use lumora
  implicit none
  integer :: ir
  call lu_draw_line(ir, 0, 0, 1, 1)
end program integer_coordinates
