! A program the gallery leaves out.
program left_out
end program left_out
